// Embeds a build input verbatim in read-only data under a C symbol, followed by one NUL byte,
// so the program reads it in place with no copy and no conversion.
#pragma once

#define EMBED_STRINGIFY2(x) #x
#define EMBED_STRINGIFY(x) EMBED_STRINGIFY2(x)

#if defined(_WIN32)
#define EMBED_SECTION ".section .rdata,\"dr\"\n"
#define EMBED_SYMBOL(name) "_" #name
#else
#define EMBED_SECTION ".section .rodata\n"
#define EMBED_SYMBOL(name) #name
#endif

#define EMBED_FILE(name, path)                                                    \
  asm(EMBED_SECTION ".globl " EMBED_SYMBOL(name) "\n" EMBED_SYMBOL(name) ":\n"    \
      ".incbin \"" path "\"\n.byte 0\n.previous\n")
