#pragma once

#include "platform/ui/form.h"

// Adds one worker or changes the name and position of one.
class TForm2 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
