// Embeds a build input verbatim in read-only data under C symbols, so the program reads it in
// place: no copy, no conversion, no loading step.
#pragma once

#if defined(_WIN32)
#define EMBED_SECTION ".section .rdata,\"dr\"\n"
#define EMBED_END ".text\n"
#define EMBED_SYMBOL(name) "_" #name
#else
#define EMBED_SECTION ".section .rodata\n"
#define EMBED_END ".previous\n"
#define EMBED_SYMBOL(name) #name
#endif

// name: the bytes followed by one NUL, for a text.
#define EMBED_TEXT(name, path) \
  asm(EMBED_SECTION ".globl " EMBED_SYMBOL(name) "\n" EMBED_SYMBOL(name) ":\n"    \
      ".incbin \"" path "\"\n.byte 0\n" EMBED_END)

// name_begin and name_end around the bytes, for a block of any length.
#define EMBED_BLOCK(name, path)                                               \
  asm(EMBED_SECTION ".globl " EMBED_SYMBOL(name##_begin) "\n" EMBED_SYMBOL(   \
      name##_begin) ":\n.incbin \"" path                                      \
                    "\"\n.globl " EMBED_SYMBOL(name##_end) "\n" EMBED_SYMBOL( \
                        name##_end) ":\n" EMBED_END)
