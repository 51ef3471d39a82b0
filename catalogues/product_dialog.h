#pragma once

#include "platform/ui/form.h"

// Adds or changes one product.
class TForm7 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

extern TForm7* Form7;
