#pragma once

#include "platform/ui/form.h"

// The priced operations and the operation picker.
class TForm4 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

extern TForm4* Form4;
