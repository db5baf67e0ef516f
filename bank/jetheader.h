#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The Jet database definition page (page 0).
//
//   0x00        page type 0x00
//   0x04..0x13  the signature: "Standard Jet DB" and a zero byte for a database
//               ("Standard ACE DB" for later engines), "Jet System DB" padded with zero
//               bytes for a workgroup (system database) file, Jet 3 and Jet 4 alike
//   0x14        engine version: 0x00 Jet 3, 0x01 Jet 4, 0x02 and up ACE
//   0x18..0x97  128 bytes masked with the RC4 key stream of the key C7 DA 39 6B
//               (Jet 4; Jet 3 masks fewer bytes and keeps the password elsewhere)
// Within the unmasked Jet 4 bytes:
//   0x3C        code page (unused by Jet 4)
//   0x3E        page-encoding key (0: pages after page 0 are stored in the clear)
//   0x42..0x69  database password, UCS-2 LE, zero-padded, XORed byte by byte with the
//               4 little-endian bytes of the creation date truncated to a 32-bit integer
//   0x6E        default sort order
//   0x72        creation date, IEEE double, days since 1899-12-30
namespace jet {

inline constexpr int kJet4PageSize = 4096;
inline constexpr int kJet3PageSize = 2048;

enum class Version { Jet3, Jet4, Ace, Unknown };

// What the signature says the file is.
enum class FileKind { Database, Workgroup };

inline constexpr qsizetype kSignatureOffset = 0x04;
inline constexpr qsizetype kSignatureLength = 16;
inline constexpr char kDatabaseSignature[] = "Standard Jet DB";
inline constexpr char kWorkgroupSignature[] = "Jet System DB";

struct DefinitionPage {
    Version version = Version::Unknown;
    FileKind kind = FileKind::Database;
    QString password;          // empty: the database has no password
    double creationDate = 0;   // days since 1899-12-30
    std::uint32_t pageEncodingKey = 0;
};

// Reads page 0. Throws BankError (naming `fileName`) when the bytes are not a Jet database.
[[nodiscard]] DefinitionPage readDefinitionPage(QByteArrayView page0, const QString &fileName);

// The 16 signature bytes of a file of that kind, zero-padded.
[[nodiscard]] QByteArray signatureBytes(FileKind kind);

// Writes the password and the creation date into an unmasked Jet 4 page 0 image and masks
// the 128 bytes, so that readDefinitionPage gives them back. `page0` holds kJet4PageSize
// bytes whose other fields the caller has laid out (unmasked).
void writeDefinitionPage(QByteArray &page0, const QString &password, double creationDate);

// The RC4 key stream XOR that masks and unmasks; exposed for the writer and the tests.
void rc4Xor(QByteArrayView key, char *data, qsizetype length);

} // namespace jet
