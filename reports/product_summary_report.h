#pragma once

#include "platform/ui/form.h"

// Printed summary report by product.
class TForm17 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);
};

extern TForm17* Form17;
