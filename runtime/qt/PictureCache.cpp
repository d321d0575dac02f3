#include "PictureCache.h"

#include <QImageReader>

namespace rt::qt {

namespace {

    // An icon file holds several sizes; windows show the 32 x 32 one, as the
    // desktop the program was made for does.
    QPixmap load(QString const& resource)
    {
        QImageReader reader(resource);
        if (reader.format() == "ico" && reader.imageCount() > 1) {
            QImage first;
            for (int i = 0; i < reader.imageCount(); ++i) {
                if (!reader.jumpToImage(i))
                    break;
                QImage image = reader.read();
                if (image.size() == QSize(32, 32))
                    return QPixmap::fromImage(image);
                if (first.isNull())
                    first = image;
            }
            return QPixmap::fromImage(first);
        }
        return QPixmap::fromImage(reader.read());
    }

}

QPixmap const& PictureCache::get(PictureRef const& picture) { return picture ? get(picture->resource) : m_none; }

QPixmap const& PictureCache::get(std::string const& resource)
{
    auto it = m_pixmaps.find(resource);
    if (it == m_pixmaps.end())
        it = m_pixmaps.emplace(resource, load(QString::fromStdString(resource))).first;
    return it->second;
}

}
