/* CallStdcall: a host's call of a stdcall function, written out instruction by
   instruction, with a record of what the call did to the stack and to the
   registers that the callee must keep. i686 only.

     void CallStdcall(const void* function, const uint32_t* args, int count,
                      int repeat, StdcallRecord* record);              (cdecl)

   The count 32-bit slots of args are pushed last first, so that args[0] lies
   just above the return address, and function is called; repeat (at least 1)
   times in a row with nothing in between, so that a callee that leaves ESP off
   leaves it off repeat times over. Before the first push EBX, ESI, EDI and EBP
   take the values in record->loaded and ESP is noted; after the last return
   ESP, EAX and the four registers are noted. The thunk's own ESP is kept in
   memory, since after the call neither ESP nor any register can be trusted,
   and no EBP-relative address is used once EBP holds the loaded value.

   Not re-entrant: one call at a time, on one thread. The offsets below are
   those of StdcallRecord in StackBoundaryTest.cpp. */

#define LOADED_EBX 0
#define LOADED_ESI 4
#define LOADED_EDI 8
#define LOADED_EBP 12
#define AFTER_EBX 16
#define AFTER_ESI 20
#define AFTER_EDI 24
#define AFTER_EBP 28
#define ESP_BEFORE 32
#define ESP_AFTER 36
#define RESULT_EAX 40

/* The arguments, from ESP once the caller's four registers are pushed. */
#define ARG_FUNCTION 20
#define ARG_ARGS 24
#define ARG_COUNT 28
#define ARG_REPEAT 32
#define ARG_RECORD 36

        .text
        .globl  _CallStdcall
        .def    _CallStdcall; .scl 2; .type 32; .endef
_CallStdcall:
        pushl   %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        movl    %esp, frame
        movl    ARG_REPEAT(%esp), %eax
        movl    %eax, remaining
        movl    ARG_RECORD(%esp), %eax
        movl    %esp, ESP_BEFORE(%eax)
        movl    LOADED_EBX(%eax), %ebx
        movl    LOADED_ESI(%eax), %esi
        movl    LOADED_EDI(%eax), %edi
        movl    LOADED_EBP(%eax), %ebp

next_call:                              /* EAX, ECX and EDX are the callee's to change */
        movl    frame, %eax
        movl    ARG_COUNT(%eax), %ecx
        movl    ARG_ARGS(%eax), %edx
push_slot:
        testl   %ecx, %ecx
        jz      call_function
        pushl   -4(%edx,%ecx,4)
        decl    %ecx
        jmp     push_slot
call_function:
        call    *ARG_FUNCTION(%eax)
        decl    remaining
        jnz     next_call

        movl    %eax, %ecx              /* the last call's result */
        movl    frame, %eax
        movl    ARG_RECORD(%eax), %eax
        movl    %esp, ESP_AFTER(%eax)
        movl    %ecx, RESULT_EAX(%eax)
        movl    %ebx, AFTER_EBX(%eax)
        movl    %esi, AFTER_ESI(%eax)
        movl    %edi, AFTER_EDI(%eax)
        movl    %ebp, AFTER_EBP(%eax)

        movl    frame, %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret

/* Faulty callees, for the test of the thunk itself. */
        .globl  _RemovesEightOfFour
        .def    _RemovesEightOfFour; .scl 2; .type 32; .endef
_RemovesEightOfFour:                    /* one slot pushed, eight bytes removed */
        ret     $8

        .globl  _ChangesCalleeSaved
        .def    _ChangesCalleeSaved; .scl 2; .type 32; .endef
_ChangesCalleeSaved:                    /* no slots; the four registers inverted */
        notl    %ebx
        notl    %esi
        notl    %edi
        notl    %ebp
        ret

        .bss
        .balign 4
frame:                                  /* ESP with the caller's registers pushed */
        .space  4
remaining:                              /* calls still to make */
        .space  4
