// The drag's data object and its format enumerator, driven through their COM interfaces.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <cstring>

#include "DragDropData.h"
#include "core/CIDataObject.h"
#include "core/CIDropSource.h"
#include "core/ComPtr.h"

using dragdrop::Format;
using Vantix::CIDataObject;
using Vantix::ComPtr;

namespace {

HGLOBAL GlobalText(const char* text) {
    size_t bytes = std::strlen(text) + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text, bytes);
    ::GlobalUnlock(memory);
    return memory;
}

std::string TextOf(HGLOBAL memory) {
    std::string text(static_cast<const char*>(::GlobalLock(memory)));
    ::GlobalUnlock(memory);
    return text;
}

// A data object (one reference, held by the fixture) offering a bitmap and a DIB, in that order.
class DataObjectTest : public testing::Test {
protected:
    void SetUp() override {
        CIDataObject* object = new CIDataObject(nullptr);
        object->AddRef();
        m_data.Attach(object);
    }
    void Store(CLIPFORMAT format, DWORD medium, HANDLE handle) {
        FORMATETC formatEtc = Format(format, medium);
        STGMEDIUM stored = {};
        stored.tymed = medium;
        stored.hGlobal = static_cast<HGLOBAL>(handle);
        ASSERT_EQ(S_OK, m_data->SetData(&formatEtc, &stored, TRUE));
    }
    void StoreBitmapAndDib() {
        Store(CF_BITMAP, TYMED_GDI, dragdrop::MakeBitmap(dragdrop::FourColours()));
        Store(CF_DIB, TYMED_HGLOBAL, dragdrop::MakePackedDib(dragdrop::FourColours()));
    }

    ComPtr<CIDataObject> m_data;
};

} // namespace

TEST_F(DataObjectTest, SetDataCopiesUnlessTheMediumIsHandedOver) {
    FORMATETC text = Format(CF_TEXT, TYMED_HGLOBAL);
    STGMEDIUM original = {};
    original.tymed = TYMED_HGLOBAL;
    original.hGlobal = GlobalText("first");
    ASSERT_EQ(S_OK, m_data->SetData(&text, &original, FALSE));
    // The caller still owns its medium; the object kept its own copy.
    std::memcpy(::GlobalLock(original.hGlobal), "later", 6);
    ::GlobalUnlock(original.hGlobal);
    ::ReleaseStgMedium(&original);

    STGMEDIUM fetched = {};
    ASSERT_EQ(S_OK, m_data->GetData(&text, &fetched));
    EXPECT_EQ(TYMED_HGLOBAL, fetched.tymed);
    EXPECT_EQ("first", TextOf(fetched.hGlobal));
    ::ReleaseStgMedium(&fetched);

    EXPECT_EQ(E_INVALIDARG, m_data->SetData(nullptr, &original, FALSE));
    EXPECT_EQ(E_INVALIDARG, m_data->SetData(&text, nullptr, FALSE));
}

TEST_F(DataObjectTest, GetDataHandsOutADuplicateOfTheFirstMatch) {
    StoreBitmapAndDib();
    FORMATETC bitmap = Format(CF_BITMAP, TYMED_GDI);
    STGMEDIUM first = {};
    STGMEDIUM second = {};
    ASSERT_EQ(S_OK, m_data->GetData(&bitmap, &first));
    ASSERT_EQ(S_OK, m_data->GetData(&bitmap, &second));
    EXPECT_EQ(TYMED_GDI, first.tymed);
    EXPECT_NE(first.hBitmap, second.hBitmap);
    dragdrop::Pixels pixels = dragdrop::ReadPixels(first.hBitmap);
    EXPECT_EQ(2, pixels.width);
    EXPECT_EQ(2, pixels.height);
    ::ReleaseStgMedium(&first);
    ::ReleaseStgMedium(&second);

    FORMATETC dibAsIcon = Format(CF_DIB, TYMED_HGLOBAL, DVASPECT_ICON);
    FORMATETC dibInStream = Format(CF_DIB, TYMED_ISTREAM);
    STGMEDIUM none = {};
    EXPECT_EQ(DV_E_FORMATETC, m_data->GetData(&dibAsIcon, &none));
    EXPECT_EQ(DV_E_FORMATETC, m_data->GetData(&dibInStream, &none));
    EXPECT_EQ(E_INVALIDARG, m_data->GetData(nullptr, &none));
}

TEST_F(DataObjectTest, QueryGetDataAnswersForTheLastEntryWhenNothingMatches) {
    struct Case {
        CLIPFORMAT format;
        DWORD medium;
        DWORD aspect;
        HRESULT expected;
    };
    static const Case cases[] = {
        {CF_DIB, TYMED_HGLOBAL, DVASPECT_CONTENT, S_OK},
        {CF_BITMAP, TYMED_GDI | TYMED_HGLOBAL, DVASPECT_CONTENT, S_OK},
        {CF_TEXT, TYMED_HGLOBAL, DVASPECT_CONTENT, DV_E_CLIPFORMAT},
        {CF_TEXT, TYMED_GDI, DVASPECT_CONTENT, DV_E_TYMED},
        {CF_DIB, TYMED_ISTREAM, DVASPECT_CONTENT, DV_E_TYMED},
        {CF_DIB, TYMED_HGLOBAL, DVASPECT_ICON, DV_E_DVASPECT},
    };
    StoreBitmapAndDib();
    for (const Case& c : cases) {
        FORMATETC query = Format(c.format, c.medium, c.aspect);
        EXPECT_EQ(c.expected, m_data->QueryGetData(&query))
            << "format " << c.format << " medium " << c.medium;
    }
    EXPECT_EQ(E_INVALIDARG, m_data->QueryGetData(nullptr));
}

TEST_F(DataObjectTest, QueryGetDataOnAnEmptyObjectIsATymedMismatch) {
    FORMATETC dib = Format(CF_DIB, TYMED_HGLOBAL);
    EXPECT_EQ(DV_E_TYMED, m_data->QueryGetData(&dib));
}

TEST_F(DataObjectTest, EnumeratesStoredFormatsInOrder) {
    StoreBitmapAndDib();
    IEnumFORMATETC* raw = nullptr;
    ASSERT_EQ(S_OK, m_data->EnumFormatEtc(DATADIR_GET, &raw));
    ComPtr<IEnumFORMATETC> formats;
    formats.Attach(raw);

    FORMATETC got[3] = {};
    ULONG fetched = 99;
    EXPECT_EQ(S_FALSE, formats->Next(3, got, &fetched));
    ASSERT_EQ(2u, fetched);
    EXPECT_EQ(CF_BITMAP, got[0].cfFormat);
    EXPECT_EQ(static_cast<DWORD>(TYMED_GDI), got[0].tymed);
    EXPECT_EQ(CF_DIB, got[1].cfFormat);
    EXPECT_EQ(S_FALSE, formats->Next(1, got, &fetched));
    EXPECT_EQ(0u, fetched);

    EXPECT_EQ(S_OK, formats->Reset());
    EXPECT_EQ(S_OK, formats->Next(1, got, nullptr));
    EXPECT_EQ(CF_BITMAP, got[0].cfFormat);
    // Without a fetched count only one format may be asked for.
    EXPECT_EQ(S_FALSE, formats->Next(2, got, nullptr));

    IEnumFORMATETC* other = nullptr;
    EXPECT_EQ(E_NOTIMPL, m_data->EnumFormatEtc(DATADIR_SET, &other));
    EXPECT_EQ(E_POINTER, m_data->EnumFormatEtc(DATADIR_GET, nullptr));
}

TEST_F(DataObjectTest, SkipStopsShortOfTheEndAndCloneKeepsThePosition) {
    StoreBitmapAndDib();
    Store(CF_ENHMETAFILE, TYMED_ENHMF, nullptr);
    IEnumFORMATETC* raw = nullptr;
    ASSERT_EQ(S_OK, m_data->EnumFormatEtc(DATADIR_GET, &raw));
    ComPtr<IEnumFORMATETC> formats;
    formats.Attach(raw);

    EXPECT_EQ(S_OK, formats->Skip(1));
    // Skipping exactly the two remaining formats would reach the end: refused, position kept.
    EXPECT_EQ(S_FALSE, formats->Skip(2));
    EXPECT_EQ(S_FALSE, formats->Skip(0xFFFFFFFFu));

    IEnumFORMATETC* rawClone = nullptr;
    ASSERT_EQ(S_OK, formats->Clone(&rawClone));
    ComPtr<IEnumFORMATETC> clone;
    clone.Attach(rawClone);
    FORMATETC fromOriginal = {};
    FORMATETC fromClone = {};
    ASSERT_EQ(S_OK, formats->Next(1, &fromOriginal, nullptr));
    ASSERT_EQ(S_OK, clone->Next(1, &fromClone, nullptr));
    EXPECT_EQ(CF_DIB, fromOriginal.cfFormat);
    EXPECT_EQ(CF_DIB, fromClone.cfFormat);
}

TEST_F(DataObjectTest, EnumeratedFormatsCarryTheirOwnTargetDevice) {
    DVTARGETDEVICE* device = static_cast<DVTARGETDEVICE*>(::CoTaskMemAlloc(sizeof(DVTARGETDEVICE)));
    std::memset(device, 0x5A, sizeof(DVTARGETDEVICE));
    device->tdSize = sizeof(DVTARGETDEVICE);
    FORMATETC text = Format(CF_TEXT, TYMED_HGLOBAL);
    text.ptd = device;
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalText("x");
    ASSERT_EQ(S_OK, m_data->SetData(&text, &medium, TRUE));
    ::CoTaskMemFree(device);

    IEnumFORMATETC* raw = nullptr;
    ASSERT_EQ(S_OK, m_data->EnumFormatEtc(DATADIR_GET, &raw));
    ComPtr<IEnumFORMATETC> formats;
    formats.Attach(raw);
    FORMATETC got = {};
    ASSERT_EQ(S_OK, formats->Next(1, &got, nullptr));
    ASSERT_NE(nullptr, got.ptd);
    EXPECT_EQ(sizeof(DVTARGETDEVICE), got.ptd->tdSize);
    EXPECT_EQ(0x5A5A, got.ptd->tdDriverNameOffset);
    // The receiver of an enumerated format frees its device.
    ::CoTaskMemFree(got.ptd);
}

TEST_F(DataObjectTest, AnswersTheInterfacesItImplements) {
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, m_data->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    unknown->Release();
    IDataObject* data = nullptr;
    ASSERT_EQ(S_OK, m_data->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&data)));
    EXPECT_EQ(static_cast<IDataObject*>(m_data.Get()), data);
    data->Release();
    IDropSource* source = nullptr;
    EXPECT_EQ(E_NOINTERFACE, m_data->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&source)));
    EXPECT_EQ(nullptr, source);

    FORMATETC any = Format(CF_DIB, TYMED_HGLOBAL);
    FORMATETC canonical = {};
    STGMEDIUM medium = {};
    DWORD connection = 0;
    EXPECT_EQ(E_NOTIMPL, m_data->GetDataHere(&any, &medium));
    EXPECT_EQ(DATA_S_SAMEFORMATETC, m_data->GetCanonicalFormatEtc(&any, &canonical));
    EXPECT_EQ(E_INVALIDARG, m_data->GetCanonicalFormatEtc(&any, nullptr));
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, m_data->DAdvise(&any, 0, nullptr, &connection));
    EXPECT_EQ(E_NOTIMPL, m_data->DUnadvise(connection));
}
