#pragma once

#include "platform/ui/form.h"

// Printed detailed report by product.
class TForm21 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm21(QWidget* parent = nullptr);
};

extern TForm21* Form21;
