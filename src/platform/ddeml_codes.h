// DDEML constants under their Windows names, for portable code. Never include beside <windows.h>:
// there they are macros.
#pragma once

#include <cstdint>

#ifdef DMLERR_NOTPROCESSED
#error "ddeml_codes.h is for code that does not see <windows.h>"
#endif

namespace ornil::dde {

inline constexpr std::uint32_t DMLERR_NO_ERROR = 0;
inline constexpr std::uint32_t DMLERR_ADVACKTIMEOUT = 0x4000;
inline constexpr std::uint32_t DMLERR_BUSY = 0x4001;
inline constexpr std::uint32_t DMLERR_DATAACKTIMEOUT = 0x4002;
inline constexpr std::uint32_t DMLERR_DLL_NOT_INITIALIZED = 0x4003;
inline constexpr std::uint32_t DMLERR_DLL_USAGE = 0x4004;
inline constexpr std::uint32_t DMLERR_EXECACKTIMEOUT = 0x4005;
inline constexpr std::uint32_t DMLERR_INVALIDPARAMETER = 0x4006;
inline constexpr std::uint32_t DMLERR_LOW_MEMORY = 0x4007;
inline constexpr std::uint32_t DMLERR_MEMORY_ERROR = 0x4008;
inline constexpr std::uint32_t DMLERR_NOTPROCESSED = 0x4009;
inline constexpr std::uint32_t DMLERR_NO_CONV_ESTABLISHED = 0x400A;
inline constexpr std::uint32_t DMLERR_POKEACKTIMEOUT = 0x400B;
inline constexpr std::uint32_t DMLERR_POSTMSG_FAILED = 0x400C;
inline constexpr std::uint32_t DMLERR_REENTRANCY = 0x400D;
inline constexpr std::uint32_t DMLERR_SERVER_DIED = 0x400E;
inline constexpr std::uint32_t DMLERR_SYS_ERROR = 0x400F;
inline constexpr std::uint32_t DMLERR_UNADVACKTIMEOUT = 0x4010;
inline constexpr std::uint32_t DMLERR_UNFOUND_QUEUE_ID = 0x4011;

inline constexpr std::uint32_t CF_TEXT = 1;
inline constexpr int CP_WINANSI = 1004;
inline constexpr std::uint32_t XTYP_EXECUTE = 0x4050;
inline constexpr std::uint32_t XTYP_REQUEST = 0x20B0;
inline constexpr std::uint32_t DDE_FACK = 0x8000;
inline constexpr std::uint32_t DDE_FNOTPROCESSED = 0;

}  // namespace ornil::dde
