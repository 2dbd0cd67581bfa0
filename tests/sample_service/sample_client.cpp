#include "tests/sample_service/sample_client.h"

#include "api/api_configuration.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace lanterncrest::test {
namespace {

Exchange wait(QNetworkReply* reply)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(10000);
    if (!reply->isFinished())
        loop.exec();
    Exchange exchange;
    if (reply->isFinished()) {
        exchange.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        exchange.contentType = reply->rawHeader("Content-Type");
        exchange.body = reply->readAll();
    }
    reply->abort();
    reply->deleteLater();
    return exchange;
}

} // namespace

QByteArray credentials(const std::string& email, const std::string& password)
{
    return QByteArray::fromStdString(nlohmann::json{{"email", email}, {"password", password}}.dump());
}

void SampleServiceTest::TearDown()
{
    // Closing the client's idle connections first lets the service stop at once.
    network.clearConnectionCache();
    service.stop();
}

Exchange SampleServiceTest::getUrl(const QString& url, const QByteArray& authorization)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Content-Type", "application/json");
    if (!authorization.isNull())
        request.setRawHeader("Authorization", authorization);
    return wait(network.get(request));
}

Exchange SampleServiceTest::get(const QString& path, const QByteArray& token)
{
    return getUrl(service.baseUrl() + path, "Bearer " + token);
}

Exchange SampleServiceTest::postUrl(const QString& url, const QByteArray& body)
{
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Content-Type", "application/json");
    request.setRawHeader("Authorization", "Bearer ");
    return wait(network.post(request, body));
}

QByteArray SampleServiceTest::login(const SampleService& target)
{
    const Exchange reply = postUrl(target.baseUrl() + "v1/clients/web/admin/login",
                                   credentials(ApiConfiguration::serviceAccountEmail().toStdString(),
                                               ApiConfiguration::serviceAccountPassword().toStdString()));
    const nlohmann::json json = reply.json();
    if (reply.status != 200 || !json.is_object() || !json.contains("access_token") || !json["access_token"].is_string())
        return {};
    return QByteArray::fromStdString(json["access_token"].get<std::string>());
}

} // namespace lanterncrest::test
