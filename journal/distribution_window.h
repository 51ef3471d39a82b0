#pragma once

#include "platform/ui/form.h"

// Pays brigade helpers and painting operators.
class TForm33 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm33(QWidget* parent = nullptr);
};

extern TForm33* Form33;
