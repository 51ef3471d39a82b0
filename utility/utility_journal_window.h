#pragma once

#include "platform/ui/form.h"

// The utility-work journal of one date.
class TForm25 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm25(QWidget* parent = nullptr);
};

extern TForm25* Form25;
