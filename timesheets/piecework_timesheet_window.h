#pragma once

#include "platform/ui/form.h"

// The piecework and general timesheets.
class TForm27 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm27(QWidget* parent = nullptr);
};

extern TForm27* Form27;
