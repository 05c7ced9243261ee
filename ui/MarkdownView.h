#pragma once

#include "catalog/PackageDocs.h"

#include <QTextBrowser>

class Workspace;

// A release's readme or changelog, its Markdown rendered as text: HTML in it shows as written,
// nothing is ever loaded from elsewhere (images stay out), and a link opens in the browser only
// when the player clicks it.
class MarkdownView : public QTextBrowser {
    Q_OBJECT
public:
    MarkdownView(Workspace& workspace, QWidget* parent = nullptr);

    void showLoading();
    void showDoc(const PackageDocs::Doc& doc, PackageDocs::Kind kind);
    // The line under the text: "No changelog", the failure, or that it was shortened.
    QString note() const { return m_note; }

    QVariant loadResource(int type, const QUrl& name) override;

Q_SIGNALS:
    void noteChanged(const QString& note);

private:
    void setNote(const QString& note);
    QString m_note;
};
