#include <QMessageBox>
#include <QPointer>
#include <QTcpServer>

#include "Netzstart.h"
#include "Netztisch.h"

namespace pelu::test {
namespace {

// A port on the loopback address nobody listens on.
quint16 FreierPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    return probe.serverPort();
}

// A join that fails is an exit code of 1 however the program then ends; on
// a screen someone may watch it is also told in a box that does not wait for
// ever, and the program ends once the box is gone; where nobody can see a
// window it ends at once.
TEST(Netzstart, GescheiterterBeitrittEndetMitEins) {
    for (const bool sichtbar : {true, false}) {
        SCOPED_TRACE(sichtbar);
        Testfenster t(1, std::nullopt);
        int beendet = 0;
        Netzstart netz(sichtbar, 300, [&beendet] { ++beendet; });
        Netzauftrag auftrag;
        auftrag.Beitreten =
            Beitrittsdaten{QStringLiteral("127.0.0.1"), FreierPort(), QStringLiteral("123456"), 1};
        EXPECT_EQ(netz.Starten(t.f(), auftrag), 0);
        EXPECT_EQ(netz.Ende(0), 0);
        QPointer<QMessageBox> box;
        EXPECT_TRUE(Warten([&] {
            box = t.f().findChild<QMessageBox*>();
            return box || beendet > 0;
        }));
        EXPECT_EQ(netz.Ende(0), 1);
        if (!sichtbar) {
            EXPECT_TRUE(box.isNull());
            EXPECT_EQ(beendet, 1);
            continue;
        }
        ASSERT_FALSE(box.isNull());
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->text().startsWith(QStringLiteral("Keine Verbindung zu 127.0.0.1:")));
        EXPECT_EQ(beendet, 0);
        EXPECT_TRUE(Warten([&] { return box.isNull(); }));
        EXPECT_EQ(beendet, 1);
    }
}

} // namespace
} // namespace pelu::test
