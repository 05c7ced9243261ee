#include "ui/ReadmeSheet.h"

#include "app/AppState.h"
#include "platform/Workspace.h"
#include "platform/gui/Sheet.h"
#include "ui/MarkdownView.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

ReadmeSheet::ReadmeSheet(AppState* state, const TSPackage& package, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("readmeSheet"));
    setWindowTitle(package.prettyName());
    Sheet::present(*this);
    resize(620, 560);
    auto* layout = new QVBoxLayout(this);
    QLabel* title = Make::label(this, QStringLiteral("readme.title"), Theme::TextStyle::headline);
    title->setTextFormat(Qt::PlainText);
    title->setText(package.prettyName() + QLatin1Char(' ') + package.version);
    layout->addWidget(title);
    auto* view = new MarkdownView(state->services().workspace, this);
    view->setObjectName(QStringLiteral("readme.text"));
    layout->addWidget(view, 1);
    QLabel* note =
        Make::label(this, QStringLiteral("readme.note"), Theme::TextStyle::caption, Theme::secondaryText());
    note->setTextFormat(Qt::PlainText);
    connect(view, &MarkdownView::noteChanged, note, &QLabel::setText);
    layout->addWidget(note);
    auto* footer = new QHBoxLayout;
    QPushButton* page =
        Make::button(this, QStringLiteral("readme.page"), tr("Open Page"), Theme::ButtonStyle::bordered);
    page->setVisible(package.pageURL.has_value());
    connect(page, &QPushButton::clicked, this,
            [state, url = package.pageURL.value_or(QUrl())] { state->services().workspace.openUrl(url); });
    footer->addWidget(page);
    footer->addStretch();
    QPushButton* done =
        Make::button(this, QStringLiteral("readme.done"), tr("Done"), Theme::ButtonStyle::prominent);
    connect(done, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(done);
    layout->addLayout(footer);
    view->showLoading();
    state->fetchDocument(package, package.version, PackageDocs::Kind::readme,
                         [view = QPointer<MarkdownView>(view)](const PackageDocs::Doc& doc) {
                             if (view) view->showDoc(doc, PackageDocs::Kind::readme);
                         });
}
