#pragma once

#include "platform/ui/form.h"

// The list of products.
class TForm3 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

extern TForm3* Form3;
