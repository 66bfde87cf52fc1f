#include "picture_transfer.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <stdexcept>

#include "picture_description.h"

namespace tolvane {

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

}  // namespace

void PutPicture(QMimeData& data, PictureId id, const QImage& picture) {
    data.setImageData(picture);
    data.setText(PictureSubject(id));
}

QString PictureFileName(PictureId id) {
    static const QRegularExpression kNotLetterOrDigit(QStringLiteral("[^a-z0-9]+"));
    return PictureDescription(id).toLower().replace(kNotLetterOrDigit, QStringLiteral("-")) + QStringLiteral(".png");
}

PictureFolder::PictureFolder() = default;
PictureFolder::~PictureFolder() = default;

QString PictureFolder::Write(PictureId id, const QImage& picture) {
    if (!folder_)
        folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid())
        return {};
    const QString path = folder_->filePath(PictureFileName(id));
    return picture.save(path, "PNG") ? path : QString();
}

DraggedPicture::DraggedPicture(PictureId id, const QImage& picture, std::shared_ptr<PictureFolder> folder)
    : id_(id), picture_(picture), folder_(std::move(folder)) {
    if (!folder_)
        throw std::invalid_argument("a dragged picture needs a folder for its file, not none");
    PutPicture(*this, id, picture);
}

QStringList DraggedPicture::formats() const {
    return QMimeData::formats() << kUriList;
}

// Asked for the file, the drag writes it; one that cannot be written is
// offered as no file at all, since the drop belongs to the other program.
QVariant DraggedPicture::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType != kUriList)
        return QMimeData::retrieveData(mimeType, type);
    if (file_.isEmpty())
        file_ = folder_->Write(id_, picture_);
    if (file_.isEmpty())
        return {};
    return QVariantList{QUrl::fromLocalFile(file_)};
}

}  // namespace tolvane
