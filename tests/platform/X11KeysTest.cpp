#include <xcb/xproto.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <QTest>
#include <utility>

#include "PlatformTestSupport.h"
#include "platform/X11Keys.h"
#include "platform/XcbHotKeys.h"

namespace vesk::platform::test {

class X11KeysTest : public QObject {
    Q_OBJECT

private slots:
    void virtualKeysMapToKeysyms() {
        // Letters by their unshifted symbol; the keypad by its keypad symbols.
        for (unsigned i = 0; i < 26; ++i) QCOMPARE(KeysymForVirtualKey('A' + i), XK_a + i);
        for (unsigned i = 0; i < 10; ++i) QCOMPARE(KeysymForVirtualKey('0' + i), XK_0 + i);
        for (unsigned i = 0; i < 10; ++i) QCOMPARE(KeysymForVirtualKey(0x60 + i), XK_KP_0 + i);
        for (unsigned i = 0; i < 24; ++i) QCOMPARE(KeysymForVirtualKey(0x70 + i), XK_F1 + i);
        const std::pair<unsigned, unsigned> named[] = {
            {0x6A, XK_KP_Multiply}, {0x6F, XK_KP_Divide}, {0x08, XK_BackSpace}, {0x21, XK_Prior},
            {0x28, XK_Down},        {0x2E, XK_Delete},    {0xBA, XK_semicolon}, {0xC0, XK_grave},
            {0xDE, XK_apostrophe},  {0xE2, XK_less},
        };
        for (const auto& [virtualKey, keysym] : named)
            QCOMPARE(KeysymForVirtualKey(virtualKey), keysym);
        // Mouse buttons, modifiers, lock keys and unassigned codes cannot be
        // hot keys.
        for (const unsigned virtualKey :
             {0x00, 0x01, 0x10, 0x11, 0x12, 0x14, 0x3A, 0x40, 0x5B, 0x88, 0x90, 0x141}) {
            QCOMPARE(KeysymForVirtualKey(virtualKey), 0u);
        }
    }

    void modifierBitsMapToTheServersMasks() {
        const X11ModifierMasks usual;
        QCOMPARE(X11Modifiers(0, usual), 0);
        QCOMPARE(X11Modifiers(4, usual), XCB_MOD_MASK_1);
        QCOMPARE(X11Modifiers(1 | 2 | 4 | 32, usual),
                 XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4);
        // 8 is the hot-key control's extended-key flag, 16 is unused.
        QCOMPARE(X11Modifiers(2 | 8 | 16, usual), XCB_MOD_MASK_CONTROL);

        const X11ModifierMasks unusual{XCB_MOD_MASK_3, XCB_MOD_MASK_2, XCB_MOD_MASK_5};
        QCOMPARE(X11Modifiers(4 | 32, unusual), XCB_MOD_MASK_3 | XCB_MOD_MASK_5);
    }

    void withoutX11NoHotKeyRegisters() {
        QCOMPARE(QGuiApplication::platformName(), "offscreen");
        XcbHotKeys hotKeys;
        QVERIFY(!hotKeys.RegisterHotKey(200, kModWindows, 'S'));
        QVERIFY(!hotKeys.UnregisterHotKey(200));
    }
};

static RegisterTest<X11KeysTest> registration;

}  // namespace vesk::platform::test

#include "X11KeysTest.moc"
