#pragma once
// The few compiler extensions the program uses, each behind one name, so
// that a compiler without them needs changes here only.
//  - KMITY_PREFETCH(address): a hint that memory at `address` is read soon;
//    it never changes a result, so without the builtin it is nothing.
//  - Int128: a 128-bit signed integer for exact products of 64-bit
//    coordinates (GCC and Clang have one on every 64-bit target).

#if defined(__GNUC__) || defined(__clang__)
#define KMITY_PREFETCH(address) __builtin_prefetch(address)
__extension__ using Int128 = __int128;
#else
#define KMITY_PREFETCH(address) ((void)(address))
#error "kmity needs a 128-bit integer type (Int128) from this compiler"
#endif
