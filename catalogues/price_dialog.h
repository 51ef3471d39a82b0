#pragma once

#include "platform/ui/form.h"

// Adds or changes one priced operation.
class TForm10 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

extern TForm10* Form10;
