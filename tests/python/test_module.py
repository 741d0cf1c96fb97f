import pyquorvane


def test_module_doc_is_empty():
    assert pyquorvane.__doc__ == ""
