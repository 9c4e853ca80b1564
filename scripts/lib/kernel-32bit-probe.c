/* Does this machine's kernel run 32-bit x86 code? Two tests, each in a child
 * process of its own, so that a fault there only means "no":
 *   - a 32-bit system call (int $0x80, getpid in the 32-bit table);
 *   - a far return into the 32-bit user code segment (selector 0x23) and back
 *     to the 64-bit one (0x33), from code and a stack below 4 GB.
 * Prints one line per test; exits 0 when both work. Built static, so that it
 * runs on a machine without a compiler too. */
#define _GNU_SOURCE
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

static int SystemCall32(void)
{
    long result = 20; /* getpid */
    __asm__ volatile("int $0x80" : "+a"(result) : : "rcx", "r8", "r9", "r10", "r11", "memory");
    return result > 0;
}

static void Put(unsigned char **at, const void *bytes, size_t count)
{
    memcpy(*at, bytes, count);
    *at += count;
}

static int FarReturnInto32BitCode(void)
{
    unsigned char *page = mmap(NULL, 8192, PROT_READ | PROT_WRITE | PROT_EXEC,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (page == MAP_FAILED) {
        return 0;
    }
    const uint32_t saved = (uint32_t)(uintptr_t)(page + 0x800); /* the 64-bit stack pointer */
    const uint32_t stack = (uint32_t)(uintptr_t)(page + 0x1ff0);
    const uint32_t code32 = (uint32_t)(uintptr_t)(page + 0x100);
    const uint32_t back64 = (uint32_t)(uintptr_t)(page + 0x200);
    unsigned char *at = page;
    /* mov [saved], rsp; mov esp, stack; push 0x23; push code32; retfq */
    Put(&at, "\x48\x89\x24\x25", 4), Put(&at, &saved, 4);
    Put(&at, "\xBC", 1), Put(&at, &stack, 4);
    Put(&at, "\x6A\x23\x68", 3), Put(&at, &code32, 4);
    Put(&at, "\x48\xCB", 2);
    /* 32-bit: push 0x33; push back64; retf */
    at = page + 0x100;
    Put(&at, "\x6A\x33\x68", 3), Put(&at, &back64, 4);
    Put(&at, "\xCB", 1);
    /* 64-bit again: mov rsp, [saved]; mov eax, 1; ret */
    at = page + 0x200;
    Put(&at, "\x48\x8B\x24\x25", 4), Put(&at, &saved, 4);
    Put(&at, "\xB8\x01\x00\x00\x00\xC3", 6);
    int (*enter)(void) = (int (*)(void))(uintptr_t)page;
    return enter() == 1;
}

/* 1 when `test` returned true in a child process that ended normally. */
static int InChild(int (*test)(void))
{
    fflush(stdout);
    const pid_t child = fork();
    if (child < 0) {
        return 0;
    }
    if (child == 0) {
        _exit(test() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) {
        return 0;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int main(void)
{
    const int call = InChild(SystemCall32);
    const int farReturn = InChild(FarReturnInto32BitCode);
    printf("32-bit system call: %s\n", call ? "yes" : "no");
    printf("far return into 32-bit code: %s\n", farReturn ? "yes" : "no");
    return call && farReturn ? 0 : 1;
}
