#include "accessible_image.h"

#include "accessible_line.h"
#include "image_box.h"

namespace tolvane {

namespace {

class AccessibleImage final : public AccessibleLine {
public:
    explicit AccessibleImage(ImageBox* box) : AccessibleLine(box, QAccessible::Graphic) {}

protected:
    QString Line() const override { return widget()->accessibleDescription(); }
};

}  // namespace

QAccessibleInterface* AccessibleImageBoxes(const QString& className, QObject* object) {
    if (className == QLatin1String(ImageBox::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleImage(static_cast<ImageBox*>(object));
    return nullptr;
}

}  // namespace tolvane
