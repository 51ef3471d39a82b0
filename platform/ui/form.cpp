#include "form.h"

#include "application.h"
#include "handler.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace pf {

namespace {
ModalDriver modalDriver;
QList<QPointer<Form>> modalStack;
}   // namespace

void setModalDriver(ModalDriver driver)
{
    modalDriver = std::move(driver);
}

Form::Form(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Form::~Form()
{
    modalStack.removeAll(QPointer<Form>(this));
    if (Application::mainForm() == this)
        Application::setMainForm(nullptr);
}

Form* Form::activeForm()
{
    for (int i = modalStack.size() - 1; i >= 0; --i)
        if (modalStack[i])
            return modalStack[i];
    return nullptr;
}

void Form::activate()
{
    guarded([this] { formActivate(); });
}

ModalResult Form::showModal()
{
    modalResult_ = ModalResult::None;
    modalStack.append(QPointer<Form>(this));
    inModal_ = true;
    if (modalDriver) {
        show();
        activate();
        ModalResult r = ModalResult::Cancel;
        if (modalResult_ == ModalResult::None && !Application::terminated())
            r = modalDriver(*this);
        if (modalResult_ == ModalResult::None)
            modalResult_ = r == ModalResult::None ? ModalResult::Cancel : r;
        hide();
    } else {
        setModal(true);
        show();
        activate();
        if (modalResult_ == ModalResult::None && !Application::terminated())
            exec();
        if (modalResult_ == ModalResult::None)
            modalResult_ = ModalResult::Cancel;
        hide();
    }
    inModal_ = false;
    modalStack.removeAll(QPointer<Form>(this));
    if (Form* below = activeForm(); below && below->isVisible() && !Application::terminated())
        below->activate();
    return modalResult_;
}

void Form::showForm()
{
    show();
    activate();
}

void Form::setModalResult(ModalResult result)
{
    modalResult_ = result;
    if (result != ModalResult::None)
        done(static_cast<int>(result));
}

void Form::done(int r)
{
    if (modalResult_ == ModalResult::None)
        modalResult_ = r == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
    QDialog::done(r);
    if (!inModal_ && Application::mainForm() == this)
        Application::terminate();
}

void Form::closeEvent(QCloseEvent* event)
{
    if (modalResult_ == ModalResult::None)
        modalResult_ = ModalResult::Cancel;
    QDialog::closeEvent(event);
    if (event->isAccepted() && !inModal_ && Application::mainForm() == this)
        Application::terminate();
}

void Form::setDefaultButton(QPushButton* button)
{
    button->setDefault(true);
}

void Form::setCancelButton(QPushButton* button)
{
    cancelButton_ = button;
}

void Form::setButtonResult(QPushButton* button, ModalResult result)
{
    connect(button, &QPushButton::clicked, this, [this, result] { setModalResult(result); });
}

void Form::makeDialogFrame()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, sizeHint(), screen->availableGeometry()));
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isEnabled() && cancelButton_->isVisible())
            cancelButton_->click();
        event->accept();
        return;   // without a cancel button Esc does nothing
    }
    QDialog::keyPressEvent(event);
}

}   // namespace pf
