#pragma once

#include "runtime/form_runtime.h"

#include <QWidget>

#include <string>

namespace tarvel {

class LinkLabel;

// The Info window: the maker's e-mail address, a notice and a small picture
// button, each a link; the colours follow the pointer over them. Its controls
// are its own, each named as in the design (objectName).
class frmVelmora : public QWidget {
    Q_OBJECT

public:
    explicit frmVelmora(FormRuntime& runtime, QWidget* parent = nullptr);

    static std::string MailLink();

private slots:
    // The handlers of the links' events.
    void Label1_Click(); // new e-mail to the maker
    void Label2_Click(); // the maker's site
    void bntpay_Click(); // the maker's site
    void Label1_MouseMove();
    void Label2_MouseMove();
    void bntpay_MouseMove();

private:
    FormRuntime& runtime_;
    LinkLabel* Label1 = nullptr;
    LinkLabel* Label2 = nullptr;
    LinkLabel* bntpay = nullptr;
};

} // namespace tarvel
