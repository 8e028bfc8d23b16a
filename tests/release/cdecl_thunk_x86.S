# aadx_call_as_cdecl_caller (see cdecl_thunk.h), i386, AT&T syntax.
# The callee's view must be a plain host's: no frame set up by a compiler
# that knows the callee's prototype, so a callee that pops its own
# arguments (or clobbers a callee-saved register) shows.

        .text
        .globl  _aadx_call_as_cdecl_caller
_aadx_call_as_cdecl_caller:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi

        movl    12(%ebp), %esi          # words
        movl    16(%ebp), %ecx          # count
        movl    %ecx, %eax
        shll    $2, %eax                # bytes of arguments

        # ESP after the pushes: 16n + misalign, below everything saved.
        movl    %esp, %edx
        subl    %eax, %edx
        subl    $16, %edx
        andl    $-16, %edx
        addl    20(%ebp), %edx
        leal    (%edx,%eax), %esp

1:      testl   %ecx, %ecx
        jz      2f
        decl    %ecx
        pushl   (%esi,%ecx,4)
        jmp     1b

2:      movl    8(%ebp), %eax           # fn
        movl    %esp, %edi              # ESP at the call
        movl    $0x5a5a1111, %ebx
        movl    $0x5a5a2222, %esi
        call    *%eax

        movl    24(%ebp), %edx          # outcome
        movl    %eax, 0(%edx)
        movl    %ebx, 4(%edx)
        movl    %esi, 8(%edx)
        movl    %esp, %eax
        subl    %edi, %eax              # bytes the callee removed

        leal    -12(%ebp), %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret
