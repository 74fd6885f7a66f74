// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AboutDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <cmath>

#include "controls/LinkLabel.h"
#include "core/ProgramInfo.h"
#include "services/DesktopShell.h"
#include "services/UiFonts.h"

namespace kelvarin {

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

AboutDialog::AboutDialog(DesktopShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("О программе"));
    setFont(windowFont());
    setFixedSize(278, 208);
    move(691, 292);

    auto* title = new QLabel(tr("Программа расчет параметров воздушного винта"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(24, 8, 224, 32);
    title->setFont(monospaceBoldFont());
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setWordWrap(true);

    addLabel(this, "Label2",
             tr("Версия  %1            январь 2009 года").arg(QLatin1String(kProgramVersion)),
             {24, 56});
    addLabel(this, "Label5", tr("Сайт:"), {24, 72});

    webLink_ = new LinkLabel(kWebAddress, this);
    webLink_->setObjectName(QStringLiteral("LabWeb"));
    webLink_->move(96, 72);
    webLink_->adjustSize();
    connect(webLink_, &LinkLabel::clicked, this, [this] { shell_.open(QUrl(kWebAddress)); });

    addLabel(this, "Label4", tr("Автор:          разработчики Kelvarin"), {24, 88});
    addLabel(this, "Label3", tr("© Авторы Kelvarin. Лицензия GNU GPL 3+."), {24, 104});

    auto* note = new QLabel(tr("Свободная программа: распространяется на условиях "
                               "GNU GPL версии 3 или более поздней, без каких-либо "
                               "гарантий."),
                            this);
    note->setObjectName(QStringLiteral("Label6"));
    note->setGeometry(24, 128, 233, 41);
    note->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(104, 176, 73, 25);
    // Enter presses the focused button, which is the only one.
    ok->setAutoDefault(true);
    ok->setDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

QSize AboutDialog::outerSize() const {
    const QSize frame = frameGeometry().size();
    if (testAttribute(Qt::WA_WState_Created) && frame != size()) {
        return frame;
    }
    // Before the first showing there is no frame yet; take the parent's frame as the guide.
    if (const QWidget* owner = parentWidget()) {
        const QSize margins = owner->frameGeometry().size() - owner->size();
        return size() + margins;
    }
    return size();
}

void AboutDialog::placeOver(const QWidget& main) {
    const QRect outer = main.frameGeometry();
    const QSize about = outerSize();
    const int top =
        static_cast<int>(std::trunc(outer.top() + outer.height() / 2.0 - about.height() / 2.0));
    const int left =
        static_cast<int>(std::trunc(outer.left() + outer.width() / 2.0 - about.width() / 2.0));
    move(left, top);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Esc does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kelvarin
