#pragma once

#include "platform/ui/form.h"

// Adds or changes one operation kind.
class TForm9 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};

extern TForm9* Form9;
