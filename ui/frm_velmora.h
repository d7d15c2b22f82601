#pragma once

#include "runtime/form_runtime.h"

#include <QWidget>

#include <string>

class QFrame;
class QLabel;

namespace tarvel {

// The Info window: the maker's e-mail address, a notice and a small picture
// button, each a link; the colours follow the pointer over them.
class frmVelmora : public QWidget {
    Q_OBJECT

public:
    explicit frmVelmora(FormRuntime& runtime, QWidget* parent = nullptr);

    void Label1_Click(); // new e-mail to the maker
    void Label2_Click(); // the maker's site
    void bntpay_Click(); // the maker's site
    void Label1_MouseMove();
    void Label2_MouseMove();
    void bntpay_MouseMove();

    static std::string MailLink();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* bntpay = nullptr;
    QFrame* Label1Border = nullptr;
    // The dotted frame round the link with the keyboard focus, hidden while
    // no link has it.
    QWidget* FocusFrame = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape closes the window, as its close box does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs the click handler of a link; false for anything else.
    bool OpenLink(QObject* link);
    // Runs the mouse-move handler of a link.
    void ShowHover(QObject* link);
    // Puts the focus frame round `link`, or hides it for null.
    void FrameFocus(QWidget* link);

    FormRuntime& runtime_;
};

} // namespace tarvel
