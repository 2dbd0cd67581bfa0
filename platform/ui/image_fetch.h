#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace lanterncrest {

// What an image download may cost: the body and the decoded image are capped so that a hostile
// or broken answer cannot exhaust memory.
struct ImageLimits {
    qint64 maxBodyBytes = 16 * 1024 * 1024;
    qint64 maxPixels = 4096LL * 4096;
};

// One image download: GET, body collected under the cap, 2xx only, decoded with the pixel
// cap. Ends with exactly one finished() (a null image on any failure), abort() included.
class ImageFetch : public QObject {
    Q_OBJECT
public:
    ImageFetch(QNetworkAccessManager& network, const QUrl& url, const ImageLimits& limits,
               QObject* parent = nullptr);
    ~ImageFetch() override;

    void abort();

signals:
    void finished(const QImage& image);

private:
    void collect();
    void complete();
    void fail();
    QImage decode() const;

    QNetworkReply* reply_;
    ImageLimits limits_;
    QByteArray body_;
    bool done_ = false;
};

} // namespace lanterncrest
