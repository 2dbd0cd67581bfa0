#include "screens/profile/player_profile_view_controller.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include "screens/profile/player_profile_header_view.h"
#include "tests/screens/profile_fixtures.h"
#include "tests/screens/squad_fixtures.h"
#include "tests/screens/teams_test_images.h"

namespace lanterncrest::test {
namespace {

const QColor cardBlue(0x0b, 0x1f, 0x3a);
const QColor shirtRed(0xc8, 0x10, 0x2e);

// A player's photo: a red-shirted figure on a light ground.
ScriptedAnswer photoAnswer()
{
    QImage image(140, 170, QImage::Format_RGB32);
    image.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd9, 0xa0, 0x7a));
    painter.drawEllipse(QRectF(45, 20, 50, 60));
    painter.setBrush(shirtRed);
    painter.drawRoundedRect(QRectF(20, 90, 100, 90), 30, 30);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return ScriptedAnswer::text(200, bytes).withHeader("Content-Type", "image/png");
}

class ProfileScreenshot : public ::testing::TestWithParam<const char*> {
protected:
    LoopbackService service;
};

TEST_P(ProfileScreenshot, ShowsTheFilledHeaderInTheLanguageOfTheDevice)
{
    const QString language = QString::fromLatin1(GetParam());
    PreferredLanguage preferred(language);
    service.answer("/photo.png", photoAnswer());
    service.answer("/flag.png", pngAnswer(QColor(0x00, 0x73, 0x2f)));

    auto screen = PlayerProfileViewController::viewController();
    screen->setPlayerObject(makeProfile({"p-7", "Salem Saad Al-Dawsari", "سالم سعد الدوسري", 29, "Left Winger",
                                         "جناح أيسر", service.url("photo.png").toStdString(),
                                         service.url("flag.png").toStdString()}));
    QWidget* view = screen->view();
    view->resize(375, 667);
    view->show();
    const PlayerProfileHeaderView* header =
        dynamic_cast<PlayerProfileHeaderView*>(screen->playerProfileTableView()->tableHeaderView());
    ASSERT_NE(header, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        return shownColor(*header->teamIcon()) == QColor(0x00, 0x73, 0x2f) &&
               !header->playerPhoto()->image().isNull() &&
               header->playerPhoto()->image().toImage().pixelColor(70, 150) == shirtRed;
    }));

    const QImage shot = view->grab().toImage();
    QDir().mkpath(QStringLiteral(LANTERNCREST_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LANTERNCREST_SCREENSHOT_DIR "/profile_%1.png").arg(language));

    const bool arabic = language == u"ar";
    EXPECT_EQ(header->lastNameLabel()->text(), arabic ? QString::fromUtf8("الدوسري") : QString("AL-DAWSARI"));
    EXPECT_EQ(header->positionLabel()->text(), arabic ? QString::fromUtf8("جناح أيسر") : QString("Left Winger"));
    // The card, the photo's shirt and the flag are drawn where the header lays them out.
    const QPoint cardCorner = header->playerBackground()->mapTo(view, QPoint(4, 4));
    EXPECT_EQ(shot.pixelColor(cardCorner), cardBlue);
    const QPoint shirt = header->playerPhoto()->mapTo(view, QPoint(70, 150));
    EXPECT_EQ(shot.pixelColor(shirt), shirtRed);
    const QPoint flag = header->teamIcon()->mapTo(view, header->teamIcon()->rect().center());
    EXPECT_EQ(shot.pixelColor(flag), QColor(0x00, 0x73, 0x2f));
    // Every name label holds drawn text: pixels other than the card's.
    for (const Label* label : {header->nameLabel(), header->lastNameLabel(), header->shirtNoLabel()}) {
        const QImage area = shot.copy(QRect(label->mapTo(view, QPoint(0, 0)), label->size()));
        int inked = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                inked += area.pixelColor(x, y) != cardBlue;
        EXPECT_GT(inked, 20) << label->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ProfileScreenshot, ::testing::Values("en", "ar"));

} // namespace
} // namespace lanterncrest::test
