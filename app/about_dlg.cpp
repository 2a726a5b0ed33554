#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_icons.h"
#include "res/strings_app.h"
#include "widgets/control_ids.h"

namespace app {

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QString::fromUtf8(res::Tr(res::kAboutCaption)));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("aboutIcon"));
    pIcon->setPixmap(AppIcon().pixmap(32, 32));
    pIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* pVersion = new QLabel(QString::fromUtf8(res::Tr(res::kAboutVersion)), this);
    pVersion->setObjectName(QStringLiteral("aboutVersion"));
    pVersion->setTextFormat(Qt::PlainText);  // no prefix processing
    auto* pLine = new QLabel(QString::fromUtf8(res::Tr(res::kAboutThirdLine)), this);
    pLine->setObjectName(QStringLiteral("aboutLine"));
    pLine->setTextFormat(Qt::PlainText);

    auto* pTexts = new QVBoxLayout;
    pTexts->setSpacing(4);
    pTexts->addWidget(pVersion);
    pTexts->addWidget(pLine);
    pTexts->addStretch();

    auto* pTop = new QHBoxLayout;
    pTop->setSpacing(16);
    pTop->addWidget(pIcon);
    pTop->addLayout(pTexts, 1);

    auto* pOk = new QPushButton(QString::fromUtf8(res::Tr(res::kAboutOk)), this);
    widgets::SetControlId(pOk, res::IDOK, QStringLiteral("aboutOk"));
    pOk->setDefault(true);
    pOk->setMinimumWidth(pOk->fontMetrics().horizontalAdvance(pOk->text()) * 4);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addStretch();

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(20, 18, 20, 14);
    pLayout->setSpacing(16);
    pLayout->addLayout(pTop);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace app
