#pragma once

#include "platform/ui/form.h"

// Enters, changes or copies one position of the shift journal.
class TForm11 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};

extern TForm11* Form11;
