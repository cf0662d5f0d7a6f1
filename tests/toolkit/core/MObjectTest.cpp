#include <gtest/gtest.h>

#include "core/MObject.h"

namespace {

class NamedObject : public Vantix::MObject {
public:
    const wchar_t* GetClassNameW() const override { return L"MDialog"; }
};

} // namespace

TEST(MObject, IsClassComparesTheExactClassName) {
    struct Case {
        const wchar_t* name;
        int expected;
    };
    static const Case cases[] = {{L"MDialog", 1}, {L"mdialog", 0}, {L"MDialo", 0}, {L"", 0}, {nullptr, 0}};
    NamedObject named;
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, named.IsClass(c.name)) << (c.name ? c.name : L"(null)");
}

TEST(MObject, BaseHasNoClassName) {
    Vantix::MObject object;
    EXPECT_EQ(nullptr, object.GetClassNameW());
    EXPECT_EQ(0, object.IsClass(L""));
}
