#pragma once

#include "platform/ui/form.h"

// Printed detailed report by worker.
class TForm20 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm20(QWidget* parent = nullptr);
};

extern TForm20* Form20;
