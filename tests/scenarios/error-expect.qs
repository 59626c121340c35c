expect Fst "Quillor"
expect Fst.Command1 "&Start"
