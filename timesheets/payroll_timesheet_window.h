#pragma once

#include "platform/ui/form.h"

// The month's pay per worker and group.
class TForm30 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);
};

extern TForm30* Form30;
