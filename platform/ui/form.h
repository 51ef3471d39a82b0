#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

namespace pf {

enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// A window of the client. Every window is shown modally; formActivate()
// runs when it is shown and again whenever a modal window opened from it
// closes. Esc clicks the cancel button, Enter the default button.
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    int Tag = 0;   // selects the window's mode where it serves several callers

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }

    ModalResult showModal();
    void showForm();   // shows without a modal loop (the login dialog)

    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult result);   // a result other than None closes a modal window

    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button);
    QPushButton* cancelButton() const { return cancelButton_; }
    // Clicking the button sets the window's modal result.
    void setButtonResult(QPushButton* button, ModalResult result);

    // A fixed single border, centred on the screen: the dialogs' frame.
    void makeDialogFrame();

    static Form* activeForm();   // the innermost modal window shown

protected:
    virtual void formActivate() { }
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int r) override;

private:
    void activate();
    QPushButton* cancelButton_ = nullptr;
    ModalResult modalResult_ = ModalResult::None;
    bool inModal_ = false;
};

// Replaces the modal loop (tests act inside the window, then return).
using ModalDriver = std::function<ModalResult(Form&)>;
void setModalDriver(ModalDriver driver);

}   // namespace pf
