"""The examples of README.md run as written."""

import doctest
import pathlib

README = pathlib.Path(__file__).resolve().parents[2] / "README.md"


def test_readme_examples():
    result = doctest.testfile(str(README), module_relative=False,
                              optionflags=doctest.ELLIPSIS)
    assert result.attempted > 20
    assert result.failed == 0
