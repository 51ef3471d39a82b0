#pragma once

#include "platform/ui/form.h"

// The list of workers and the worker picker.
class TForm5 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

extern TForm5* Form5;
