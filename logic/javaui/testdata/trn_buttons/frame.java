// Hand-written frame of the golden case trn_buttons: each "//@" marker is
// replaced by the lines the button rules write there; the rest stands in
// for the transaction class (its fields, its focus call).
import com.quenora.*;
import com.quenora.uifactory.*;

public final class tcustomer_buttons extends QNWorkpanel {
   // A button with the property setters the fragments call.
   static final class Button extends IQNButton {
      public void setQNEnabled(int enabled) {}
      public void setQNVisible(int visible) {}
   }
   Button btt10 = new Button();
   Button btt11 = new Button();
   Button btt_QNGet_ = new Button();
   String Mode = "";
   String CustType = "", CustName = "", CustCity = "";
   QNString QNt_QNString1, QNt_QNString2;

   void setNextFocus(Object control) {}

   protected void setAddCaption() {
      //@ caption add
   }
   protected void setUpdateCaption() {
      //@ caption update
   }
   protected void setConfirmCaption() {
      //@ caption confirm
   }
   protected void setDeleteCaption() {
      //@ caption delete
   }
   //@ disable
   protected void focusEnter() {
      //@ focus
   }
   //@ prompts 1
}
