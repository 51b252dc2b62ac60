#pragma once

#include <QObject>
#include <QString>

class QIODevice;
class QWidget;

// The program's single document. It holds no data: all state lives in the view. What it has is a
// title and a file name, so that New, Open and Save behave as a document program's do.
class CDravonelDoc : public QObject {
    Q_OBJECT
public:
    CDravonelDoc();

    // Re-initialises the document: no file, title "Untitled". Always succeeds.
    bool OnNewDocument();
    // Adopts pathName when it can be opened for reading (nothing is read); the title becomes its file
    // name. Returns false, after a message box, when it cannot be opened; the document is then unchanged.
    bool OnOpenDocument(const QString& pathName);
    // Writes the document (an empty file) to pathName, replacing it only once the new contents are
    // complete. Returns false, after a message box naming the file and the reason, on any failure.
    bool OnSaveDocument(const QString& pathName);
    // Ctrl+S: asks for a name through the save dialog unless this document has already saved itself to
    // a file (a file named by Open is never overwritten without the dialog). pOwner owns the dialog.
    // Returns false when the dialog was cancelled or the write failed.
    bool DoFileSave(QWidget* pOwner);
    // Stores or loads the document's contents, which are none.
    void Serialize(QIODevice& file, bool bStoring);

    const QString& GetTitle() const { return m_strTitle; }
    // The file the document was last opened from or saved to; empty for a new document.
    const QString& GetPathName() const { return m_strPathName; }

signals:
    void TitleChanged();

private:
    void SetPathName(const QString& pathName, bool bWrittenByUs);

    QString m_strTitle;
    QString m_strPathName;
    bool m_bPathWrittenByUs = false;  // only then may Save rewrite the file without asking
};
