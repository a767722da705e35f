// The serial frames exchanged with the radio: every request byte by byte, the layout of the
// replies, the checksum, and the classification of what the port delivered. This is the
// program's side of the line; the simulated radio builds its replies from the same layouts, so
// the frame bytes are written down once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

// Line settings: 9600 baud, no parity, 8 data bits, 1 stop bit, no flow control.
inline constexpr int kBaudRate = 9600;
inline constexpr int kDataBits = 8;
inline constexpr int kStopBits = 1;
// Bits on the wire per byte (start, data, stop): a byte takes 10/9600 s.
inline constexpr int kBitsPerByte = 10;

// Every memory transfer moves one block of 16 bytes.
inline constexpr std::size_t kBlockSize = 16;

// Radio addresses the program uses.
inline constexpr int kImageStartAddress = 0x0000;
inline constexpr int kImageEndLimit = 0x1CFF;            // last image address
inline constexpr int kInformationEndLimit = 0x3EFF;      // last information-area address
inline constexpr int kInformationBlockAddress = 0x3E10;  // carries the radio password
// The password: up to four single-byte characters in bytes 12..15 of the information block,
// ended early by 0x00 or 0xFF.
inline constexpr std::size_t kPasswordOffset = 12;
inline constexpr std::size_t kPasswordLength = 4;

// Single-byte codes.
inline constexpr Byte kAck = 0x06;
inline constexpr Byte kResend = 0x0A;
inline constexpr Byte kIdentifyCode = 0x02;
inline constexpr Byte kReadCode = 0x52;      // 'R'
inline constexpr Byte kWriteCode = 0x57;     // 'W': write request and block reply alike
inline constexpr Byte kIdentityCode = 0x49;  // 'I': first byte of the identification

inline constexpr std::array<Byte, 7> kHandshakeBytes = {0x50, 0x52, 0x4F, 0x47,
                                                        0x52, 0x41, 0x4D};     // "PROGRAM"
inline constexpr std::array<Byte, 3> kHandshakeAckBytes = {0x5A, 0x54, kAck};  // "ZT", 06
inline constexpr std::array<Byte, 3> kEndBytes = {0x45, 0x4E, 0x44};           // "END"

// A field of a frame: its offset from the frame's first byte and its width.
struct FrameField {
    std::size_t offset;
    std::size_t width;
};

// Read request: 'R', address high, address low, count.
namespace read_frame {
inline constexpr FrameField kCode{0, 1};
inline constexpr FrameField kAddressHigh{1, 1};
inline constexpr FrameField kAddressLow{2, 1};
inline constexpr FrameField kCount{3, 1};
inline constexpr std::size_t kLength = 4;
}  // namespace read_frame

// Block frame, the write request and the block reply: 'W', address high, address low, count,
// the data, the checksum over address, count and data, then 06.
namespace block_frame {
inline constexpr FrameField kCode{0, 1};
inline constexpr FrameField kAddressHigh{1, 1};
inline constexpr FrameField kAddressLow{2, 1};
inline constexpr FrameField kCount{3, 1};
inline constexpr FrameField kData{4, kBlockSize};
inline constexpr FrameField kChecksum{20, 1};
inline constexpr FrameField kTrailer{21, 1};
inline constexpr std::size_t kLength = kBlockSize + 6;  // 22
}  // namespace block_frame

// Identification reply; it carries no checksum.
namespace identification_frame {
inline constexpr FrameField kCode{0, 1};           // 'I'
inline constexpr FrameField kModel{1, 7};          // ASCII, a shorter identifier ends with 00
inline constexpr FrameField kCountryMode{8, 1};    // 0 CB, 1 HF, 2 HAM
inline constexpr FrameField kVersion{9, 4};        // "V100"; a shorter text ends with 00
inline constexpr FrameField kCapabilities{13, 1};  // bit 0: CTCSS/DCS supported
inline constexpr FrameField kUnused{14, 1};
inline constexpr FrameField kTrailer{15, 1};  // 06
inline constexpr std::size_t kLength = 16;
inline constexpr Byte kCtcssDcsBit = 0x01;
}  // namespace identification_frame

// Length of every reply, after the echo.
inline constexpr std::size_t kHandshakeAckLength = kHandshakeAckBytes.size();  // 3
inline constexpr std::size_t kAckLength = 1;  // acknowledgement or resend request

// ---- Requests (program to radio) ----

enum class RequestKind { Handshake, Identify, ReadBlock, WriteBlock, End };

struct Request {
    RequestKind kind;
    std::vector<Byte> bytes;
    std::size_t answerLength;  // length of the expected answer, without the echo
};

Request HandshakeRequest();
Request IdentifyRequest();
// Address 0..0xFFFF; only its low 16 bits travel.
Request ReadBlockRequest(int address);
Request WriteBlockRequest(int address, std::span<const Byte, kBlockSize> data);
// The block of the image at an address; nullopt when the block does not lie within the image.
std::optional<Request> WriteBlockRequest(int address, const MemoryImage& image);
Request EndRequest();

// Echo length E: the request's own length when a link that echoes is expected, else 0.
std::size_t EchoLength(const Request& request, bool echoFree);
// The receive threshold N for a request: E plus the expected answer length.
std::size_t ReceiveThreshold(const Request& request, bool echoFree);

// Sum modulo 256 of the bytes between the leading 'W' and the checksum: address high,
// address low, count and the data.
Byte BlockChecksum(std::span<const Byte> addressCountAndData);

// ---- Replies (radio to program) ----

// What the radio answers to identify.
struct Identification {
    std::string RadioModel;  // up to the first 00, right-trimmed
    Int RadioCountryMode = 0;
    std::string RadioVersion;  // up to the first 00
    bool RadioCtcssDcs = false;

    bool operator==(const Identification&) const = default;
};

// Decodes the 16 bytes of an identification (without the echo). Characters outside printable
// ASCII are shown as '?', so a radio's bytes never reach a message or a terminal raw.
Identification DecodeIdentification(std::span<const Byte, identification_frame::kLength> reply);

// ---- Classification of a delivered reply ----

enum class ReplyKind {
    None,  // failed every test: dropped, the reply timer runs on
    Acknowledgement,
    ResendRequest,
    HandshakeAck,
    Identification,
    InformationBlock,
    BlockReply,
};

// What the transfer expects when bytes arrive.
struct ReplyExpectation {
    std::size_t echoLength = 0;    // E: leading bytes skipped, never compared
    std::size_t threshold = 1;     // N: E plus the expected answer length
    bool informationStep = false;  // an image transfer waits for the information block
    int currentAddress = 0;        // the block in hand
};

struct Reply {
    ReplyKind kind = ReplyKind::None;
    Identification identification;        // kind Identification
    int address = 0;                      // kinds InformationBlock and BlockReply
    std::array<Byte, kBlockSize> data{};  // kinds InformationBlock and BlockReply
};

// Classifies the bytes the port delivered. The first N bytes are the reply and the rest is
// dropped; fewer than N bytes are dropped as a whole. The tests run in a fixed order and the
// first that holds decides: acknowledgement, resend request, handshake acknowledgement,
// identification, information block (only at the information step), block reply.
Reply ClassifyReply(std::span<const Byte> delivered, const ReplyExpectation& expected);

}  // namespace k7x
