#pragma once

#include <QImage>
#include <QMimeData>

#include <memory>

#include "pictures/picture_catalogue.h"

class QTemporaryDir;

namespace tolvane {

// Puts the picture `id`, as the window drew it (`picture`), into `data`
// for another program: the image, which Qt offers to other programs as
// image/png and the other image types it writes, and its subject as text
// ("Q of Hearts", "sky with clouds").
void PutPicture(QMimeData& data, PictureId id, const QImage& picture);

// What the picture is called as a file: its description in lower case,
// each run of other characters than letters and digits made one hyphen,
// then ".png": q-of-hearts.png, 54-sky-with-clouds.png. Other pictures than
// faces keep their number, as the selectors show it; it also keeps the
// names apart should two pictures ever share a subject.
QString PictureFileName(PictureId id);

// A private temporary folder for pictures dragged out as files. It is made
// when the first file is written and removed, with its files, when the
// folder is destroyed.
class PictureFolder final {
public:
    PictureFolder();
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    // Writes `picture` as a PNG named PictureFileName(id), in place of an
    // earlier one of that name, and gives its path; an empty text if the
    // folder or the file cannot be written.
    QString Write(PictureId id, const QImage& picture);

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

// A picture dragged out of the window: what PutPicture puts in, and for a
// target that asks for a file (text/uri-list), a PNG of it in `folder`,
// written only when first asked for. The folder lives as long as anything
// holds it, so a drag that outlives the window still has its file.
class DraggedPicture final : public QMimeData {
    Q_OBJECT

public:
    DraggedPicture(PictureId id, const QImage& picture, std::shared_ptr<PictureFolder> folder);

    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    PictureId id_;
    QImage picture_;
    std::shared_ptr<PictureFolder> folder_;
    mutable QString file_;  // empty until a target asks for the file
};

}  // namespace tolvane
