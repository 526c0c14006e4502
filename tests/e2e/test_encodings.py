"""A configuration as Windows editors save it: ANSI, UTF-8 with or without a
byte-order mark, UTF-16 LE or BE."""
import shutil

from harness import E2ETest


class EncodingTest(E2ETest):
    def test_a_group_run_reads_each_encoding(self):
        prog = self.program()
        src = prog.make("src/a.txt")
        prog.folder("cafe")  # what best-fit would make of café
        text = "[group]\r\n{G\r\n" + prog.winpath("写真") + "\r\n" + prog.winpath("café") + "\r\n}\r\n%end\r\n"
        for name, data in (("ANSI", text.replace("é", "e").encode("cp932")),
                           ("UTF-8", text.encode("utf-8")), ("UTF-8 BOM", text.encode("utf-8-sig")),
                           ("UTF-16 LE", b"\xff\xfe" + text.encode("utf-16-le")),
                           ("UTF-16 BE", b"\xfe\xff" + text.encode("utf-16-be"))):
            with self.subTest(name):
                for folder in ("写真", "cafe"):
                    shutil.rmtree(prog.path(folder), ignore_errors=True)
                    prog.folder(folder)
                (prog.dir / "Falvex.ini").write_bytes(data)
                self.assertEqual(prog.run("/#w", "/#g=G", src), 0)
                self.assertEqual([p.name for p in prog.path("写真").iterdir()], ["a.txt"])
                expected = ["a.txt"] if name == "ANSI" else []
                self.assertEqual([p.name for p in prog.path("cafe").iterdir()], expected)
