#pragma once

#include "platform/ui/form.h"

// Adds or changes one nomenclature group.
class TForm29 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);
};

extern TForm29* Form29;
