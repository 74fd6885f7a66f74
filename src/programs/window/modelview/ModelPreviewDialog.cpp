// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelview/ModelPreviewDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "modelview/ModelInfoPanel.h"
#include "modelview/ModelView.h"

namespace kelvarin {

ModelPreviewDialog::ModelPreviewDialog(TriangleMesh mesh, QWidget* parent)
    : QDialog(parent),
      view_(new ModelView(this)),
      info_(new ModelInfoPanel(this)),
      hint_(new QLabel(this)) {
    setWindowTitle(tr("Модель винта"));
    setObjectName(QStringLiteral("ModelPreview"));
    view_->setObjectName(QStringLiteral("ModelView"));
    view_->setMesh(std::move(mesh));

    hint_->setText(
        tr("Чтобы повернуть модель, тяните её мышью; колесо мыши приближает и удаляет."));
    hint_->setWordWrap(true);
    connect(view_, &ModelView::renderingFailed, hint_, &QLabel::setText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    info_->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(view_, 1);
    row->addWidget(info_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    resize(900, 640);
}

}  // namespace kelvarin
