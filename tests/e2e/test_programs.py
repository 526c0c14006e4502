"""Programs handed names: a name that cmd.exe would act on reaches a batch
program whole, in double quotes, and nothing it names ever runs; an .exe
parses the same name back exactly."""
import shutil
import subprocess

from harness import E2ETest, wait_for


class ProgramsTest(E2ETest):
    def program_run(self, program, params, source, record, batch=None, env=None):
        """Sends the source to the group's folder R&D through the [exec]
        program; the record it leaves, once there."""
        prog = self.program()
        (prog.dir / "Falvex.ini").write_text(
            f"[group]\n{{G\n{prog.folder('R&D')}\n}}\n%end\n"
            f"[exec]\n{prog.winpath(program)} | P\n>{params}\n%end\n", encoding="utf-8")
        prog.tool("record_args.exe")
        if batch:
            prog.path(program).write_text(batch)
            shutil.move(prog.path("record_args.exe"), prog.path("pwn.exe"))
        src = prog.make(f"src/{source}")
        prog.run("/#a", "/#g=G", src, env=env, done=prog.path(record).exists)
        record = wait_for(lambda: prog.path(record).exists() and prog.path(record).read_text(
            encoding="utf-8", errors="replace"), "the program's record")
        # The program and its console gone before the next menu shows: the
        # console's window, coming forward as the program ends, closes a menu.
        wait_for(lambda: subprocess.run(["pgrep", "-f", r"conhost\.exe|cmd\.exe|record_args\.exe"],
                                        capture_output=True).returncode == 1, "the program to end")
        return prog, record

    def test_a_name_cmd_would_act_on_runs_nothing_and_reaches_each_program_whole(self):
        # pwn.exe, beside the batch, records that it ran if cmd.exe starts it.
        prog, got = self.program_run("pack.bat", "%M", "x&pwn", "got.txt",
                                     batch='@echo %1>"%~dp0got.txt"\r\n')
        self.assertEqual(got.strip(), f'"{prog.winpath("src/x&pwn")}"')
        self.assertFalse(prog.path("args.txt").exists(), "pwn.exe ran")
        # Quoted, with a folder's backslash doubled before the quote: an .exe's
        # parser gives back the names exactly, in any script (é, an emoji).
        name = "R&D é😀.txt"
        prog, line = self.program_run("record_args.exe", "%P %M", name, "args.txt")
        self.assertIn(f'"{prog.winpath("R&D")}\\\\" "{prog.winpath("src/" + name)}"', line)

    def test_a_cyrillic_parameter_line_reaches_the_program_whole_under_1252(self):
        # 60 letters, five bytes each inside: cut at 259 bytes they named another folder.
        cyrillic = "".join(chr(0x0430 + k % 32) for k in range(60))
        prog, line = self.program_run("record_args.exe", f"%M /out:Z:\\{cyrillic}\\report", "a.txt",
                                      "args.txt", env=dict(self.desktop.env, LC_ALL="C.UTF-8"))
        self.assertIn(f"{prog.winpath('src/a.txt')} /out:Z:\\{cyrillic}\\report", line)
