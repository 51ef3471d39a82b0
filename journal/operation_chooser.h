#pragma once

#include "platform/ui/form.h"

// Chooses the operations a helper is paid for.
class TForm134 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm134(QWidget* parent = nullptr);
};

extern TForm134* Form134;
