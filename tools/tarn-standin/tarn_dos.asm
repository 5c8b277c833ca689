; The stand-in converter as a real 16-bit DOS program, for the tests that run
; it through DOSBox. Like the Windows stand-in it converts nothing: run in the
; program directory with one of TARN's command lines it copies CONVERT.MD to
; the command's result file with a trailer naming the command, appends a
; line to CONVERT.LOG and exits with 0. Any other command line prints the
; usage and exits with 2; a missing CONVERT.MD is logged and exits with 3; a
; result that cannot be written is logged and exits with 1.
;
; One segment holds code, data, the copy buffer and the stack; the program
; is an MZ executable without relocations:  nasm -f bin -o tarn.exe tarn_dos.asm

        bits 16
        cpu 8086

BUFFER_SIZE     equ 4096
STACK_SIZE      equ 512
PSP_TAIL_LENGTH equ 80h
PSP_TAIL        equ 81h

section header start=0 vstart=0
        db 'MZ'
        dw file_size % 512              ; bytes in the last page
        dw (file_size + 511) / 512      ; pages
        dw 0                            ; relocations
        dw 2                            ; header size in paragraphs
        dw extra_paragraphs             ; memory needed beyond the image
        dw 0FFFFh                       ; memory wanted beyond the image
        dw 0                            ; SS, relative to the image
        dw stack_top                    ; SP
        dw 0                            ; checksum
        dw main                         ; IP
        dw 0                            ; CS, relative to the image
        dw 1Ch                          ; relocation table offset
        dw 0                            ; overlay
        times 32 - ($ - $$) db 0

section code follows=header vstart=0

main:
        mov ax, cs
        mov ds, ax                      ; ES keeps the program segment prefix
        call take_arguments
        call recognise
        jc .usage
        mov [result_letter], al
        mov [copied_letter], al
        call convert
        mov ah, 4Ch
        int 21h
.usage:
        mov bx, 1
        mov si, usage
        call write_text
        mov ax, 4C02h
        int 21h

; Copies the command tail, without the blanks before it, to `arguments`.
take_arguments:
        mov si, PSP_TAIL
        mov cl, [es:PSP_TAIL_LENGTH]
        xor ch, ch
.skip:
        jcxz .copy
        mov al, [es:si]
        cmp al, ' '
        je .blank
        cmp al, 9
        jne .copy
.blank:
        inc si
        dec cx
        jmp .skip
.copy:
        mov [arguments_length], cx
        mov di, arguments
.next:
        jcxz .done
        mov al, [es:si]
        mov [di], al
        inc si
        inc di
        dec cx
        jmp .next
.done:
        ret

; Finds the arguments among TARN's command lines. Returns the last letter
; of the result's extension in AL, or carry set when none matches.
recognise:
        mov si, command_lines
.entry:
        mov al, [si]
        or al, al
        jz .unknown
        inc si
        mov di, arguments
        mov cx, [arguments_length]
.compare:
        mov ah, [si]
        or ah, ah
        jz .line_end
        jcxz .skip_rest
        cmp ah, [di]
        jne .skip_rest
        inc si
        inc di
        dec cx
        jmp .compare
.line_end:
        jcxz .found
        inc si
        jmp .entry
.skip_rest:
        inc si
        cmp byte [si - 1], 0
        jne .skip_rest
        jmp .entry
.found:
        clc
        ret
.unknown:
        stc
        ret

; Copies CONVERT.MD to the result with the trailer and logs the run.
; Returns the exit code in AL.
convert:
        mov ax, 3D00h
        mov dx, input_name
        int 21h
        jc .no_input
        mov [input], ax
        mov ah, 3Ch
        xor cx, cx
        mov dx, result_name
        int 21h
        jc .cannot_write
        mov [output], ax
.copy:
        mov ah, 3Fh
        mov bx, [input]
        mov cx, BUFFER_SIZE
        mov dx, buffer
        int 21h
        jc .failed
        or ax, ax
        jz .copied
        mov cx, ax
        mov bx, [output]
        call write_bytes
        jc .failed
        jmp .copy
.copied:
        mov bx, [output]
        mov si, trailer
        call write_text
        jc .failed
        call write_arguments
        jc .failed
        mov si, line_end
        call write_text
        jc .failed
        call close_both
        mov si, copied
        call log
        mov al, 0
        ret
.failed:
        call close_both
.cannot_write:
        mov si, cannot_write
        call log
        mov al, 1
        ret
.no_input:
        mov si, no_input
        call log
        mov al, 3
        ret

close_both:
        mov ah, 3Eh
        mov bx, [input]
        int 21h
        mov ah, 3Eh
        mov bx, [output]
        int 21h
        ret

; Appends the notice, the arguments and the text at SI to CONVERT.LOG.
log:
        push si
        mov ax, 3D01h
        mov dx, log_name
        int 21h
        jnc .opened
        mov ah, 3Ch
        xor cx, cx
        int 21h
        jc .failed
.opened:
        mov bx, ax
        mov ax, 4202h
        xor cx, cx
        xor dx, dx
        int 21h
        mov si, notice
        call write_text
        call write_arguments
        pop si
        call write_text
        mov ah, 3Eh
        int 21h
        ret
.failed:
        pop si
        ret

; Writes the arguments to the file BX.
write_arguments:
        mov dx, arguments
        mov cx, [arguments_length]
        jmp write_bytes

; Writes the zero-ended text at SI to the file BX.
write_text:
        mov dx, si
        xor cx, cx
.measure:
        cmp byte [si], 0
        je write_bytes
        inc si
        inc cx
        jmp .measure

; Writes CX bytes at DX to the file BX; carry set when not all were written.
write_bytes:
        mov ah, 40h
        push cx
        int 21h
        pop cx
        jc .done
        cmp ax, cx
        je .done
        stc
.done:
        ret

; TARN's command lines, each after the last letter of its result's extension.
command_lines:
        db '8', '/f CONVERT.MD', 0
        db '8', '/f CONVERT.MD k', 0
        db '2', '/c CONVERT.MD', 0
        db '2', '/c CONVERT.MD CONVERT.MD f', 0
        db 'T', '/t CONVERT.MD', 0
        db 'S', '/s CONVERT.MD', 0
        db 'R', '/r CONVERT.MD', 0
        db 'R', '/r CONVERT.MD d', 0
        db 'Z', '/z CONVERT.MD', 0
        db 0

input_name      db 'CONVERT.MD', 0
result_name     db 'CONVERT.MD'
result_letter   db '?', 0
log_name        db 'CONVERT.LOG', 0
notice          db 'TARN stand-in for DOS (converts nothing): ', 0
trailer         db 13, 10, '; TARN stand-in for DOS (converts nothing): ', 0
line_end        db 13, 10, 0
copied          db '; copied CONVERT.MD to CONVERT.MD'
copied_letter   db '?', ', exit code 0', 13, 10, 0
cannot_write    db '; cannot write the result, exit code 1', 13, 10, 0
no_input        db '; no CONVERT.MD here, exit code 3', 13, 10, 0
usage           db 'usage: tarn /f|/c|/t|/s|/r|/z CONVERT.MD [operator]', 13, 10, 0

input           dw 0
output          dw 0
arguments_length dw 0
arguments       times 128 db 0

        align 16
image_end:
file_size        equ 32 + (image_end - main)
extra_paragraphs equ (BUFFER_SIZE + STACK_SIZE + 15) / 16

absolute image_end
buffer          resb BUFFER_SIZE
                resb STACK_SIZE
stack_top:
