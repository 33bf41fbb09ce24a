/* The ephemeris table (data/ephemeris.bin, ephemeris_table.h) as read-only
   data of the library: the assembler takes the file's bytes as they are,
   so no compiler parses them and no program reads a file for them.
   VORLAN_EPHEMERIS_FILE, the file's name, comes from the build. */
    .section .rodata
    .balign 16
    .globl vorlan_ephemeris_table
    .type vorlan_ephemeris_table, @object
vorlan_ephemeris_table:
    .incbin VORLAN_EPHEMERIS_FILE
vorlan_ephemeris_table_end:
    .size vorlan_ephemeris_table, vorlan_ephemeris_table_end - vorlan_ephemeris_table

    .balign 8
    .globl vorlan_ephemeris_table_size
    .type vorlan_ephemeris_table_size, @object
vorlan_ephemeris_table_size:
    .quad vorlan_ephemeris_table_end - vorlan_ephemeris_table
    .size vorlan_ephemeris_table_size, 8

    .section .note.GNU-stack, "", @progbits
