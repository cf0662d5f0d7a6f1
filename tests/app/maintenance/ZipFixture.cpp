#include "ZipFixture.h"

#include <fstream>

#include <zlib.h>

namespace {

void Put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::string RawDeflate(const std::string& data) {
    z_stream stream = {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

} // namespace

void ZipFixture::Add(const std::string& name, const std::string& data) {
    ZipFixtureEntry entry;
    entry.name = name;
    entry.data = data;
    Add(entry);
}

std::string ZipFixture::Build() const {
    std::string archive;
    std::string directory;
    for (const ZipFixtureEntry& entry : m_entries) {
        uint32_t crc =
            crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size()));
        const std::string packed = entry.data.substr(0, entry.packedLength);
        std::string stored = entry.deflate ? RawDeflate(packed) : packed;
        if (entry.damaged && !stored.empty())
            stored[stored.size() / 2] ^= 0x5A;
        uint32_t offset = static_cast<uint32_t>(archive.size());
        uint16_t method = entry.deflate ? 8 : 0;

        Put32(archive, 0x04034B50);
        Put16(archive, 20);
        Put16(archive, entry.flags);
        Put16(archive, method);
        Put16(archive, entry.dosTime);
        Put16(archive, entry.dosDate);
        Put32(archive, crc);
        Put32(archive, static_cast<uint32_t>(stored.size()));
        Put32(archive, static_cast<uint32_t>(entry.data.size()));
        Put16(archive, static_cast<uint32_t>(entry.name.size()));
        Put16(archive, static_cast<uint32_t>(entry.localExtra.size()));
        archive += entry.name + entry.localExtra + stored;

        Put32(directory, 0x02014B50);
        Put16(directory, entry.versionMadeBy);
        Put16(directory, 20);
        Put16(directory, entry.flags);
        Put16(directory, method);
        Put16(directory, entry.dosTime);
        Put16(directory, entry.dosDate);
        Put32(directory, crc);
        Put32(directory, static_cast<uint32_t>(stored.size()));
        Put32(directory, static_cast<uint32_t>(entry.data.size()));
        Put16(directory, static_cast<uint32_t>(entry.name.size()));
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put32(directory, entry.externalAttributes);
        Put32(directory, offset);
        directory += entry.name;
    }
    uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<uint32_t>(m_entries.size()));
    Put16(archive, static_cast<uint32_t>(m_entries.size()));
    Put32(archive, static_cast<uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}

std::string ZipFixture::ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times) {
    std::string data(1, static_cast<char>(flags));
    for (int32_t time : times)
        Put32(data, static_cast<uint32_t>(time));
    std::string record;
    Put16(record, 0x5455);
    Put16(record, static_cast<uint32_t>(data.size()));
    return record + data;
}

void ZipFixture::Save(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
