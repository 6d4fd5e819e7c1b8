// The wait window.
#include "windows/wait_dlg.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "windows/screen_fit.h"

namespace salvenor {

CWaitDlg::CWaitDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setWindowTitle(UiText(texts::WaitTitle));
    setModal(false);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    auto* text = new QLabel(UiText(texts::WaitText), frame);
    text->setAlignment(Qt::AlignCenter);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    adjustSize();
}

void CWaitDlg::ShowNow() {
    // Centred on the primary screen: the page that opens it is not on the screen yet.
    MoveCentredOnScreen(*this, nullptr);
    show();
    // Painting needs the window system's events; the user's input waits until the page is up.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace salvenor
