#include "ui/MarkdownView.h"

#include "platform/Workspace.h"
#include "ui/Theme.h"

MarkdownView::MarkdownView(Workspace& workspace, QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    connect(this, &QTextBrowser::anchorClicked, this, [&workspace](const QUrl& url) {
        // Only web pages: a document could hold file: or app links.
        if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
            workspace.openUrl(url);
    });
}

QVariant MarkdownView::loadResource(int, const QUrl&) {
    return {};
}

void MarkdownView::setNote(const QString& note) {
    m_note = note;
    Q_EMIT noteChanged(note);
}

void MarkdownView::showLoading() {
    clear();
    setNote(tr("Loading…"));
}

void MarkdownView::showDoc(const PackageDocs::Doc& doc, PackageDocs::Kind kind) {
    const bool changelog = kind == PackageDocs::Kind::changelog;
    if (doc.error || doc.none) {
        clear();
        setNote(doc.error ? *doc.error : changelog ? tr("No changelog") : tr("No readme"));
        return;
    }
    document()->setMarkdown(doc.markdown,
                            QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                                            QTextDocument::MarkdownNoHTML));
    setNote(doc.shortened ? tr("Very long, so shortened here; the rest is on the package's page.")
                          : QString());
}
