// ControlFactory: the two name tables and the constructor argument shapes of their classes.
#include "controls/ControlFactory.h"

#include <cwchar>

#include "controls/CArea.h"
#include "controls/MButton.h"
#include "controls/MPicture.h"
#include "controls/MText.h"

namespace Vantix {

namespace {

using Maker = MControl* (*)(MObject* parent, UINT id, CRect rect, const wchar_t* text, int visible,
                            int enabled);

struct Entry {
    const wchar_t* name;
    Maker make;
};

// The argument shapes after parent, id and rect; later families add the shapes they need.
template <class Control>
MControl* TextVisibleEnabled(MObject* parent, UINT id, CRect rect, const wchar_t* text, int visible,
                             int enabled) {
    return new Control(parent, id, rect, text, visible, enabled);
}

template <class Control>
MControl* TextVisible(MObject* parent, UINT id, CRect rect, const wchar_t* text, int visible, int) {
    return new Control(parent, id, rect, text, visible);
}

template <class Control>
MControl* VisibleEnabled(MObject* parent, UINT id, CRect rect, const wchar_t*, int visible, int enabled) {
    return new Control(parent, id, rect, visible, enabled);
}

template <class Control>
MControl* VisibleAlwaysEnabled(MObject* parent, UINT id, CRect rect, const wchar_t*, int visible, int) {
    return new Control(parent, id, rect, visible, 1);
}

// In the order the names are tested. A name whose class is not part of the library is absent and
// gives no control.
const Entry kWindowTable[] = {
    {L"CArea", &VisibleAlwaysEnabled<CArea>},
    {L"MText", &TextVisible<MText>},
    {L"MPicture", &VisibleEnabled<MPicture>},
    {L"MButton", &TextVisibleEnabled<MButton>},
};

const Entry kPanelTable[] = {
    {L"CArea", &VisibleAlwaysEnabled<CArea>},
    {L"MText", &TextVisible<MText>},
    {L"MPicture", &VisibleEnabled<MPicture>},
    {L"MButton", &TextVisibleEnabled<MButton>},
};

template <size_t Count> Maker Find(const Entry (&table)[Count], const wchar_t* name) {
    for (const Entry& entry : table)
        if (wcscmp(entry.name, name) == 0)
            return entry.make;
    return nullptr;
}

} // namespace

MControl* ControlFactory::Construct(Table table, MObject* parent, const wchar_t* className, UINT id,
                                    CRect rect, const wchar_t* text, int visible, int enabled) {
    if (!className || !*className)
        return nullptr;
    Maker make = table == WINDOW_TABLE ? Find(kWindowTable, className) : Find(kPanelTable, className);
    if (!make)
        return nullptr;
    // Nothing may leave the library as an exception: a control that cannot be built is no control.
    try {
        return make(parent, id, rect, text, visible, enabled);
    } catch (...) {
        return nullptr;
    }
}

} // namespace Vantix
