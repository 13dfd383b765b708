#include "gui/QtPictures.h"

#include <QImage>
#include <QImageReader>

#include "gui/Convert.h"

namespace vantor {

Picture QtPictures::Load(const std::string& path) {
    Picture picture;
    picture.path = path;
    QImageReader reader(ToQString(path));
    QSize size = reader.canRead() ? reader.size() : QSize();
    if (reader.canRead() && !size.isValid()) {
        size = reader.read().size();
    }
    if (size.isValid() && !size.isEmpty()) {
        picture.width = size.width();
        picture.height = size.height();
    }
    return picture;
}

}  // namespace vantor
