#pragma once

#include "platform/ui/form.h"

// Chooses the average-piece-rate entries a helper is paid for.
class TForm135 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm135(QWidget* parent = nullptr);
};

extern TForm135* Form135;
