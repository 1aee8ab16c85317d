#pragma once
// The few compiler extensions the program uses, each behind one name, so
// that a compiler without them needs changes here only.
//  - KMITY_PREFETCH(address): a hint that memory at `address` is read soon;
//    it never changes a result, so without the builtin it is nothing.
//  - Int128 and UInt128: 128-bit integers for exact products of 64-bit
//    coordinates and significands (GCC and Clang have them on every 64-bit
//    target).

#if defined(__GNUC__) || defined(__clang__)
#define KMITY_PREFETCH(address) __builtin_prefetch(address)
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;
#else
#define KMITY_PREFETCH(address) ((void)(address))
#error "kmity needs 128-bit integer types (Int128, UInt128) from this compiler"
#endif
