#include <QtTest>
#include "UiTestSupport.h"
#include "platform/ui/Ui.h"
class TestPlatform : public QObject { Q_OBJECT
private slots:
    void nomi() { QCOMPARE(NomeIndice("Txt_SecVolt", 0), QStringLiteral("Txt_SecVolt(0)")); }
};
QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
