#include "kit/kit.h"

#include "platform/db/db_error.h"
#include "platform/ui/application.h"
#include "platform/ui/handler.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class HandlerTest : public kit::UiTest { };

TEST_F(HandlerTest, DatabaseErrorEndsTheHandlerWithOneErrorBox)
{
    kit::TestDatabase db;
    pf::Form form;
    auto* button = new QPushButton("Обновить", &form);
    bool after = false;
    pf::on(button, &QPushButton::clicked, &form, [&] {
        db.exec("select * from accounts_dep.no_such_table");
        after = true;
    });
    messages.expectError("no_such_table");
    button->click();
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_FALSE(after);
    EXPECT_FALSE(pf::Application::terminated());
}

// Activation runs when a window is shown and again when a modal window opened from it closes.
class ActivatedForm : public pf::Form {
public:
    int activations = 0;

protected:
    void formActivate() override { ++activations; }
};

TEST_F(HandlerTest, WindowActivatesAgainWhenAModalChildCloses)
{
    ActivatedForm outer, inner;
    outer.setObjectName("Outer");
    inner.setObjectName("Inner");
    modals.on("Outer", [&](pf::Form&) {
        EXPECT_EQ(outer.activations, 1);
        inner.showModal();
        EXPECT_EQ(outer.activations, 2);
        pf::showError("Сообщение");   // a message box is not a window: no activation
        EXPECT_EQ(outer.activations, 2);
        return pf::ModalResult::Ok;
    });
    modals.on("Inner", [&](pf::Form&) { return pf::ModalResult::Cancel; });
    messages.expect("Сообщение", "Ошибка", pf::MsgIcon::Error);
    EXPECT_EQ(outer.showModal(), pf::ModalResult::Ok);
    EXPECT_EQ(inner.activations, 1);
}

TEST_F(HandlerTest, EscClicksTheCancelButton)
{
    pf::Form form;
    form.setObjectName("Dialog");
    auto* cancel = new QPushButton("Отмена", &form);
    form.setCancelButton(cancel);
    form.setButtonResult(cancel, pf::ModalResult::Cancel);
    int clicks = 0;
    QObject::connect(cancel, &QPushButton::clicked, [&] { ++clicks; });
    modals.on("Dialog", [&](pf::Form& f) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &esc);
        return pf::ModalResult::None;
    });
    EXPECT_EQ(form.showModal(), pf::ModalResult::Cancel);
    EXPECT_EQ(clicks, 1);
}

}   // namespace
